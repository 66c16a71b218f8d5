Kepler\amateur.txt
Kepler\amateur.txt










