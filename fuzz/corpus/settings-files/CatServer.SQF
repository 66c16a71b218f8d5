CatServer.SQF
KCT\ServerKCT
