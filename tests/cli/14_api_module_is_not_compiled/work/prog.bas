INTERFACEAPI this line is ignored
