ParPort.SQF
$378
$278
$3BC
