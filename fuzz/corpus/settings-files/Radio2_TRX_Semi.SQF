Radio2/TRX_Semi.SQF
None
0
-
