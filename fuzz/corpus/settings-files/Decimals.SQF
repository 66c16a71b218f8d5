Decimals.SQF
0
