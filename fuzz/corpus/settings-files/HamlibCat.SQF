HamlibCat.SQF
127.0.0.1
4532
sub
