"""The parts of scripts/derive-word-tables.py, which explains the method in its header:
texts (reading and cleaning the packages' files), frequencies (corpora and the .freq
tables), lexicons (function words, hunspell and WordNet), word_classes (the .pos
tables) and readme (data/wordtables/README.md)."""
