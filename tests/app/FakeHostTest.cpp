// A photo view driven through a small fake host, without the program.
