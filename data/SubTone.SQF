;Satellite,CTCSS tone Hz,tone code FT-847,tone number Kenwood (the FT-736R and YaesuII take the Hz)
;67.0 Hz: FT-847 code 63 ($3F), number 1; 141.3 Hz: FT-847 code 8, number 22.
;A second line with the same name right after the first gives the satellite a second tone (T2).
ISS (ZARYA),67.0,63,1
SAUDISAT 1C (SO-50),67.0,63,1
RADFXSAT (FOX-1B),67.0,63,1
DIWATA-2B,141.3,8,22
