ComPorts.SQF
;Serial ports: the device each port number (1..99) of the Radio Setup opens.
;One line "n=device" a port; a number without a line opens /dev/ttyUSB<n-1>.
;Examples:
;1=/dev/ttyUSB0
;2=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00-port0
