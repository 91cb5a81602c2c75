-- scriptrun itself: a run-time error ends the run with exit code 1 and the
-- error text on standard error.
print("before the error\n")
error("deliberate failure")
