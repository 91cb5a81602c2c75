-- The installer wizard. It grows into the four-page wizard of the installer;
-- for now it only shows that the wizard script is carried and can be read.
return true
