Radio2/YaesuParSemi.SQF
$01
$01
9600
FT-817
