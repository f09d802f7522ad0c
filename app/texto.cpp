// Implemented in a following commit.
