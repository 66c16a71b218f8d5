SatNameOpt.SQF
-
+
I
