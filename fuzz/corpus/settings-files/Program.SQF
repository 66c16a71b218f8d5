Program.SQF
;Programs menu: one program a line, its full path without the ending (".exe" on Windows).
;Lines beginning with ";" are comments; the menu shows the first ten programs.
;Example:
;/usr/bin/xterm
