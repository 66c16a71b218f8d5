KenwoodPar.SQF
TS-2000
9600
0
TraceOff
