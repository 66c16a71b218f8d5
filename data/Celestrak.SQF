; Element download addresses for the "Download Keps" dialog and "orbivox download".
; One address per line; lines beginning with ";" are comments.
; A download is stored in the "Kepler" folder under the text after the address's last
; "/". An address without a file name at its end gets one after "#/": the part
; from "#" on is not sent to the server.
; The addresses ask for the publisher's OMM CSV form, which carries every object: the
; two-line form cannot hold catalogue numbers above 99999.
; The publisher updates its sets a few times a day: please fetch no more often than that.
https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=csv#/amateur.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=weather&FORMAT=csv#/weather.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=noaa&FORMAT=csv#/noaa.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=goes&FORMAT=csv#/goes.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=stations&FORMAT=csv#/stations.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=visual&FORMAT=csv#/visual.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=cubesat&FORMAT=csv#/cubesat.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=satnogs&FORMAT=csv#/satnogs.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=science&FORMAT=csv#/science.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=gps-ops&FORMAT=csv#/gps-ops.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=galileo&FORMAT=csv#/galileo.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=last-30-days&FORMAT=csv#/last-30-days.txt
