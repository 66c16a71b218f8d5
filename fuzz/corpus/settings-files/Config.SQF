Config.SQF
\Orbivox32\
0
