Squint.SQF
; Squint table: name,v  (antenna axis toward the Earth's centre)
; or name,DDMMYYYY,ALON,ALAT  (attitude angles in degrees; the date may be "now")
