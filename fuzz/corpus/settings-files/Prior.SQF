Prior.SQF
; Priority list for the automatic satellite change: name,number
; first line = highest priority
ISS (ZARYA),1
SAUDISAT 1C (SO-50),2
RS-44 & BREEZE-KM R/B,3
JAS-2 (FO-29),4
OSCAR 7 (AO-7),5
