# Writes the file IN as a C++ string constant NAME (namespace mivrel) into OUT.
file(READ ${IN} _text)
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\nnamespace mivrel {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"MIVREL_EMBED(${_text})MIVREL_EMBED\";\n}\n")
