RotorServer.SQF
none
