SatSourcesII.SQF
Kepler\amateur.txt
Kepler\amateur.txt










