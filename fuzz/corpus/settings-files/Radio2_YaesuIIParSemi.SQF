Radio2/YaesuIIParSemi.SQF
38400
FT-991A
