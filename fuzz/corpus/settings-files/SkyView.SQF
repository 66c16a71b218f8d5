SkyView.SQF
100
100
