ParkPos.SQF
0
0
