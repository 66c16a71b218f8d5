KCT\ServerKCT
