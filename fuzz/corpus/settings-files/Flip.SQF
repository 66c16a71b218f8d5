Flip.SQF
-
-
