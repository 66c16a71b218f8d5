RotctldSrv.SQF
localhost
4533x
