Talk.SQF
0
0
100
0
