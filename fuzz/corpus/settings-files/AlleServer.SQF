AlleServer.SQF
None,none
DDE,none
WinRotorPlus,none
ARS,ARS\ArsWin32
HalloRotor,Servers\HalloRotorServer
WinRotor,Servers\WinRotorServer
EGIS,Servers\EgisServer
FODTrack,Servers\FodTrackServer
KCTTracker,KCT\ServerKCT
Labjack,Servers\LabjackServer
RifPC,Servers\RifPcServer
SAEBRTrackBox,Servers\SaebrTrackBoxServer
SatEl,Servers\SatElServer
GS-233 u. Kompatible,Servers\Gs232Server
Vexlo,Servers\VexloServer
IF-100,Servers\If100Server
