IcomName.SQF
IC-9700
$D1
$D0
