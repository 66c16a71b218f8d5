TRX.SQF
Icom
