None
0
-
