Radio2/IcomParSemi.SQF
19200
$A2
