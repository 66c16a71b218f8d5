IcomPar.SQF
19200
$A2,$A2
$7C,$7C
$60,$60
$80,$80
