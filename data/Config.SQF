\Orbivox32\
0
