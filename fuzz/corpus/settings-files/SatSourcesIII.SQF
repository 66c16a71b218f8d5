SatSourcesIII.SQF
Kepler\amateur.txt
Kepler\amateur.txt










