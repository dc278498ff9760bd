' mylib.bas - built with "plix mylib.bas -l": this module names the library
' (mylib.lib); the modules it uses are compiled into it.
USING Counter
