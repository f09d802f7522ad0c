int arriba() { return 1; }
