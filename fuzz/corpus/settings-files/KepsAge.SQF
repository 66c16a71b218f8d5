KepsAge.SQF
/keps/amateur.txt|2026-03-01 10:00
+
/keps/other.txt
