YaesuPar.SQF
$11
$21
57600
FT-847
