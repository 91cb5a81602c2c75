-- scriptrun itself: what the script prints reaches standard output, and the
-- script sees its own arguments.
print("echo " .. arg[1] .. " " .. #arg .. "\n")
