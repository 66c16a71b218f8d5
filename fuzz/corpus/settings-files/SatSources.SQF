SatSources.SQF
Kepler\amateur.txt
Kepler\amateur.txt










