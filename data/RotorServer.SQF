none
