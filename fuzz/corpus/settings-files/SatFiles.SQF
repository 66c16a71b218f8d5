SatFiles.SQF
Amateur
Standard
