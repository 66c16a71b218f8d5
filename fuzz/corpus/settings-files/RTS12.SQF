RTS12.SQF
-
-
-
-
