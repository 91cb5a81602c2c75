-- Files and folders: existence, folder paths, deletion with read-only files,
-- copying and moving over existing targets, folder queries and shortcuts.
local t = require "testlib"
local dir = t.scratch("files")

local function attrib(flags, path)
  return t.run(t.systemProgram("attrib.exe"), flags .. ' "' .. path .. '"')
end

-- fileExists: files and folders alike.
t.writeFile(dir .. "\\f.txt", "x")
for _, case in ipairs({
  {dir .. "\\f.txt", true}, {dir, true}, {dir .. "\\", true}, {dir .. "\\missing", false},
  {dir .. "\\missing\\deeper", false},
}) do
  t.eq(fileExists(case[1]), case[2], "fileExists " .. case[1])
end

-- createDirectory: separators normalised, empty components dropped, every level made.
assert(not fileExists("C:\\a"), "C:\\a exists before the test")
t.eq(createDirectory("C:/a//b/"), true, "createDirectory C:/a//b/")
t.ok(fileExists("C:\\a") and fileExists("C:\\a\\b"), "C:\\a and C:\\a\\b made")
removeDirectory("C:\\a")
t.eq(fileExists("C:\\a"), false, "C:\\a removed again")
for _, path in ipairs({
  dir .. "\\one\\two\\three", dir .. "/slashes//twice///", dir .. "\\\\doubled\\\\",
}) do
  t.eq(createDirectory(path), true, "createDirectory " .. path)
end
t.ok(fileExists(dir .. "\\one\\two\\three"), "three levels made")
t.ok(fileExists(dir .. "\\slashes\\twice"), "forward slashes")
t.ok(fileExists(dir .. "\\doubled"), "doubled separators")
-- A parent that cannot be made (a file stands in its place) still answers true.
t.eq(createDirectory(dir .. "\\f.txt\\sub"), true, "createDirectory under a file")
t.eq(fileExists(dir .. "\\f.txt\\sub"), false, "nothing made under a file")

-- removeFile clears the read-only attribute; removeDirectory does not.
t.writeFile(dir .. "\\ro.txt", "x")
t.eq(attrib("+r", dir .. "\\ro.txt"), 0, "attrib +r")
t.eq(removeFile(dir .. "\\ro.txt"), true, "removeFile of a read-only file")
t.eq(fileExists(dir .. "\\ro.txt"), false, "read-only file gone")
t.eq(removeFile(dir .. "\\ro.txt"), false, "removeFile of a missing file")

local tree = dir .. "\\tree"
createDirectory(tree .. "\\sub\\deep")
t.writeFile(tree .. "\\a.txt", "a")
t.writeFile(tree .. "\\sub\\b.txt", "b")
t.writeFile(tree .. "\\sub\\deep\\locked.txt", "c")
t.eq(attrib("+r", tree .. "\\sub\\deep\\locked.txt"), 0, "attrib +r in tree")
t.eq(t.count(removeDirectory(tree)), 0, "removeDirectory returns nothing")
t.eq(fileExists(tree .. "\\a.txt"), false, "plain file removed")
t.eq(fileExists(tree .. "\\sub\\b.txt"), false, "nested file removed")
t.ok(fileExists(tree .. "\\sub\\deep\\locked.txt"), "read-only file stays")
t.ok(fileExists(tree .. "\\sub\\deep") and fileExists(tree), "its folders stay")
removeFile(tree .. "\\sub\\deep\\locked.txt")
removeDirectory(tree)
t.eq(fileExists(tree), false, "tree gone once the read-only file is")
removeDirectory(dir .. "\\never-existed")
t.eq(fileExists(dir .. "\\never-existed"), false, "removeDirectory of a missing folder")

-- directoryEmpty.
createDirectory(dir .. "\\empty")
createDirectory(dir .. "\\full\\child")
for _, case in ipairs({
  {dir .. "\\nothing-here", true}, {dir .. "\\empty", true}, {dir .. "\\full", false},
  {dir .. "\\f.txt", false},
}) do
  t.eq(directoryEmpty(case[1]), case[2], "directoryEmpty " .. case[1])
end

-- copyFile and moveFile replace existing targets.
t.writeFile(dir .. "\\src.txt", "new content")
t.writeFile(dir .. "\\dst.txt", "old")
t.eq(copyFile(dir .. "\\src.txt", dir .. "\\dst.txt"), true, "copyFile over a file")
t.eq(t.readFile(dir .. "\\dst.txt"), "new content", "copy replaced the target")
t.eq(t.readFile(dir .. "\\src.txt"), "new content", "copy kept the source")
t.eq(copyFile(dir .. "\\absent.txt", dir .. "\\dst2.txt"), false, "copyFile of a missing file")
t.writeFile(dir .. "\\moved.txt", "moved")
t.eq(moveFile(dir .. "\\moved.txt", dir .. "\\dst.txt"), true, "moveFile over a file")
t.eq(t.readFile(dir .. "\\dst.txt"), "moved", "move replaced the target")
t.eq(fileExists(dir .. "\\moved.txt"), false, "move took the source away")
t.eq(moveFile(dir .. "\\absent.txt", dir .. "\\dst.txt"), false, "moveFile of a missing file")
t.eq(t.readFile(dir .. "\\dst.txt"), "moved", "failed move left the target")

-- volumeExists: only fixed drives.
for _, case in ipairs({{"C:\\", true}, {"Q:\\", false}, {"", false}, {"not a root", false}}) do
  t.eq(volumeExists(case[1]), case[2], "volumeExists " .. case[1])
end

-- setCurrentDirectory: relative paths follow it; a missing folder is ignored.
setCurrentDirectory(dir)
t.eq(fileExists("f.txt"), true, "relative path after setCurrentDirectory")
setCurrentDirectory(dir .. "\\missing")
t.eq(fileExists("f.txt"), true, "a failed setCurrentDirectory changes nothing")

-- Special folders: only the temporary folder ends with a separator.
t.eq(getTempFolder():sub(-1), "\\", "getTempFolder ends with \\")
for name, get in pairs({getAppDataFolder = getAppDataFolder, getProgramFolder = getProgramFolder,
                        getDesktopFolder = getDesktopFolder, getStartMenuFolder = getStartMenuFolder}) do
  local folder = get()
  t.ok(folder and folder:match("^%a:\\") and folder:sub(-1) ~= "\\", name .. " " .. tostring(folder))
  t.ok(folder and fileExists(folder), name .. " exists")
end

-- createShortCut: a link file in an existing folder; none in a missing one.
t.eq(createShortCut(dir .. "\\f.txt", dir .. "\\f.lnk"), true, "createShortCut")
t.ok(fileExists(dir .. "\\f.lnk"), "link file written")
t.eq(createShortCut(dir .. "\\f.txt", dir .. "\\missing\\f.lnk"), false, "createShortCut into a missing folder")

-- Text is UTF-8 across the boundary; invalid UTF-8 is the empty string.
createDirectory(dir .. "\\\228\184\173\230\150\135")
t.ok(fileExists(dir .. "\\\228\184\173\230\150\135"), "non-ASCII folder name")
t.eq(fileExists("\255\254"), false, "invalid UTF-8 names nothing")

-- A missing string argument is an argument error.
local ok, message = pcall(fileExists)
t.eq(ok, false, "fileExists() raises")
t.ok(tostring(message):find("bad argument #1", 1, true), "argument error message: " .. tostring(message))
t.eq((pcall(copyFile, dir .. "\\f.txt")), false, "copyFile with one argument raises")
t.eq((pcall(removeFile, {})), false, "removeFile of a table raises")

setCurrentDirectory(getTempFolder())
removeDirectory(dir)
t.finish()
