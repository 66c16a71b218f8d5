StandPos.SQF
;Standard directions of the rotor dialog: name,azimuth in degrees
North,0
NE,45
East,90
SE,135
South,180
SW,225
West,270
NW,315
