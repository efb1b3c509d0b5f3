"""Glyphwright in LibreOffice Writer: the Writer Executer, its FontListener and the jobs of the
Format > Chemistry menu. Imported by the extension's dispatcher; the compiled `glyphwright`
module lies beside this package in the extension's pythonpath folder."""
