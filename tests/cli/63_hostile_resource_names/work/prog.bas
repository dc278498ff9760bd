' Resource names reach the resource compiler's command line.
USINGRESOURCE ../secret
USINGRESOURCE C:\res
USINGRESOURCE "icons"
USINGRESOURCE `id`
USINGRESOURCE $(id)
FUNCTION Main()
END FUNCTION
