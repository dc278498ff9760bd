' Module names that would leave the working folder or reach a shell.
USING ../secret
USING ..\secret
USING /etc/passwd
USING C:\Windows\evil
USING "evil"
USING `rm -rf x`
USING $(touch pwned)
USING evil;touch
USING evil|tee
USING a&b
FUNCTION Main()
END FUNCTION
