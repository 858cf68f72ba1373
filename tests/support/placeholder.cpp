// Keeps the test support library non-empty until its helpers arrive.
