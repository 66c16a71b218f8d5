None,none
DDE,none
Hamlib rotctld,..\..\lib\orbivox32\RotctldSrv
GS-232,..\..\lib\orbivox32\GS232Srv
ARS,ARS\ArsWin32
Hamlib ServerKCT,..\..\lib\orbivox32\ServerKCT
