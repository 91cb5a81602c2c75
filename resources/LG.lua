-- The install job, run on a worker thread with its own script state.
-- For now it only shows that the job script is carried and can be read.
return true
