Celestrak.SQF
; Element download addresses for the "Download Keps" dialog and "orbivox download".
; One address per line; lines beginning with ";" are comments.
; A download is stored in the "Kepler" folder under the text after the address's last
; "/". An address without a file name at its end gets one after "#/": the part
; from "#" on is not sent to the server.
; The publisher updates its sets a few times a day: please fetch no more often than that.
https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=tle#/amateur.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=weather&FORMAT=tle#/weather.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=noaa&FORMAT=tle#/noaa.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=goes&FORMAT=tle#/goes.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=stations&FORMAT=tle#/stations.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=visual&FORMAT=tle#/visual.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=cubesat&FORMAT=tle#/cubesat.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=satnogs&FORMAT=tle#/satnogs.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=science&FORMAT=tle#/science.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=gps-ops&FORMAT=tle#/gps-ops.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=galileo&FORMAT=tle#/galileo.txt
https://celestrak.org/NORAD/elements/gp.php?GROUP=last-30-days&FORMAT=tle#/last-30-days.txt
