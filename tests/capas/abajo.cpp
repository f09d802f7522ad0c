// A lower floor that needs a function of the floor above: the link check must refuse it.
int arriba();
int abajo() { return arriba(); }
