RotorInterface.SQF
0
