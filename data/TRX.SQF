Icom
