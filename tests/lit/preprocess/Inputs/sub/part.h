int part_first;
