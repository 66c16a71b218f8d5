Park.SQF
-
