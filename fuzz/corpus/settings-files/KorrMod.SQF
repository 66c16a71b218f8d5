KorrMod.SQF
0
0
